// Morvana.exe's checks fail fast: hardening_probe, built the same way, is run
// with each failure and must end at once with the fast-fail code, not run on
// or stop at a message. The test runs in the folder that holds the probe.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The exit code of hardening_probe MODE, or STILL_ACTIVE if it has not ended in 10 s.
DWORD RunProbe(const std::string& mode) {
  std::string command = "hardening_probe.exe " + mode;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process) == 0) {
    return static_cast<DWORD>(-1);
  }
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 10000) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, STILL_ACTIVE);
  } else {
    GetExitCodeProcess(process.hProcess, &code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(hardening, each_failed_check_ends_the_process_at_once) {
  constexpr auto kFastFail = static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN);
  struct Case {
    const char* mode;
    DWORD exit_code;
  };
  const Case cases[] = {
      {"inside", 0},
      {"past_end", kFastFail},
      {"smash", kFastFail},
      {"seeded", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunProbe(c.mode), c.exit_code) << c.mode;
  }
}

}  // namespace
