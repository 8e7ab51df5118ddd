// Morvana.exe itself: its resources read back from the file, and its process
// from start to close. The test runs in the folder that holds Morvana.exe.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "ui/win32/frm_main.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

std::wstring ProgramPath() {
  const std::wstring name = WideFromUtf8(resources::kFileName);
  std::array<wchar_t, MAX_PATH> path{};
  GetFullPathNameW(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
  return path.data();
}

// Morvana.exe mapped as data: its resources without running it.
class ProgramResources {
 public:
  ProgramResources() : module_(LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~ProgramResources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;

  [[nodiscard]] bool Loaded() const { return module_ != nullptr; }

  [[nodiscard]] std::vector<BYTE> Data(int id, int type) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
    if (found == nullptr) return {};
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    return {bytes, bytes + SizeofResource(module_, found)};
  }

  // The numeric names of every resource of one type.
  [[nodiscard]] std::set<int> Ids(int type) const {
    std::set<int> ids;
    EnumResourceNamesW(
        module_, MAKEINTRESOURCEW(type),
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
          reinterpret_cast<std::set<int>*>(param)->insert(
              IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
  }

 private:
  HMODULE module_;
};

// One node of a version resource: key, value and children.
struct VersionBlock {
  std::wstring key;
  std::vector<BYTE> value;
  bool text = false;
  std::vector<VersionBlock> children;

  [[nodiscard]] std::wstring Text() const {
    std::wstring s(reinterpret_cast<const wchar_t*>(value.data()), value.size() / sizeof(wchar_t));
    return s.substr(0, s.find(L'\0'));
  }
};

std::size_t Align4(std::size_t offset) {
  return (offset + 3) & ~std::size_t{3};
}

WORD WordAt(const BYTE* at) {
  WORD word = 0;
  std::memcpy(&word, at, sizeof word);
  return word;
}

VersionBlock ParseVersionBlock(const BYTE* start) {
  const WORD length = WordAt(start);
  const WORD value_length = WordAt(start + 2);
  VersionBlock block;
  block.text = WordAt(start + 4) == 1;
  std::size_t offset = 6;
  for (WORD c = WordAt(start + offset); c != 0; c = WordAt(start + offset)) {
    block.key.push_back(static_cast<wchar_t>(c));
    offset += 2;
  }
  offset = Align4(offset + 2);
  const std::size_t value_bytes = block.text ? value_length * 2u : value_length;
  block.value.assign(start + offset, start + offset + value_bytes);
  offset = Align4(offset + value_bytes);
  while (offset < length) {
    block.children.push_back(ParseVersionBlock(start + offset));
    offset = Align4(offset + WordAt(start + offset));
  }
  return block;
}

TEST(program_file, version_resource_is_1_0_0_0_with_exactly_five_strings) {
  const ProgramResources program;
  ASSERT_TRUE(program.Loaded()) << "Morvana.exe next to the test";
  const std::vector<BYTE> data = program.Data(VS_VERSION_INFO, 16);  // 16 is RT_VERSION
  ASSERT_FALSE(data.empty()) << "a version resource";
  const VersionBlock root = ParseVersionBlock(data.data());
  EXPECT_EQ(root.key, L"VS_VERSION_INFO");

  ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO fixed{};
  std::memcpy(&fixed, root.value.data(), sizeof fixed);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu) << "signature";
  EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u) << "file version 1.0";
  EXPECT_EQ(fixed.dwFileVersionLS, 0u) << "file version .0.0";
  EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u) << "product version 1.0";
  EXPECT_EQ(fixed.dwProductVersionLS, 0u) << "product version .0.0";
  EXPECT_EQ(fixed.dwFileFlags, 0u) << "no flags";
  EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32)) << "32-bit Windows";
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP)) << "an application";

  ASSERT_EQ(root.children.size(), 2u) << "StringFileInfo and VarFileInfo";
  const VersionBlock& strings = root.children.at(0);
  EXPECT_EQ(strings.key, L"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u) << "one string table";
  const VersionBlock& table = strings.children.at(0);
  EXPECT_EQ(table.key, L"040904B0") << "US English, Unicode";
  const std::array<std::pair<std::wstring, std::wstring>, 5> expected{{
      {L"ProductName", L"Morvana"},
      {L"FileVersion", L"1.00"},
      {L"ProductVersion", L"1.00"},
      {L"InternalName", L"Morvana"},
      {L"OriginalFilename", L"Morvana.exe"},
  }};
  ASSERT_EQ(table.children.size(), expected.size()) << "exactly the five keys";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(table.children.at(i).key, expected.at(i).first) << "key " << i;
    EXPECT_EQ(table.children.at(i).Text(), expected.at(i).second) << Utf8FromWide(expected.at(i).first);
  }

  const VersionBlock& variables = root.children.at(1);
  EXPECT_EQ(variables.key, L"VarFileInfo");
  ASSERT_EQ(variables.children.size(), 1u);
  EXPECT_EQ(variables.children.at(0).key, L"Translation");
  EXPECT_EQ(variables.children.at(0).value, (std::vector<BYTE>{0x09, 0x04, 0xB0, 0x04}))
      << "one pair 0409/04B0";
}

TEST(program_file, windows_reads_the_same_version_strings) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(info.empty()) << "GetFileVersionInfoSizeW";
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"\\StringFileInfo\\040904B0\\ProductName", L"Morvana"},
      {L"\\StringFileInfo\\040904B0\\FileVersion", L"1.00"},
      {L"\\StringFileInfo\\040904B0\\OriginalFilename", L"Morvana.exe"},
  };
  for (const auto& [query, expected] : cases) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), query, &value, &length)) << Utf8FromWide(query);
    EXPECT_STREQ(static_cast<const wchar_t*>(value), expected) << Utf8FromWide(query);
  }
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14);

TEST(program_file, icon_group_1_holds_the_four_images_30001_to_30004) {
  const ProgramResources program;
  ASSERT_TRUE(program.Loaded()) << "Morvana.exe next to the test";
  EXPECT_EQ(program.Ids(14), std::set<int>{1}) << "the only icon group";
  EXPECT_EQ(program.Ids(3), (std::set<int>{30001, 30002, 30003, 30004})) << "the icon images";

  const std::vector<BYTE> group = program.Data(1, 14);
  ASSERT_EQ(group.size(), 6u + 4 * sizeof(GroupIconEntry)) << "header and four entries";
  EXPECT_EQ(WordAt(group.data() + 2), 1) << "an icon, not a cursor";
  EXPECT_EQ(WordAt(group.data() + 4), 4) << "four images";

  struct Image {
    int size;
    int bits;
    int colours;
    DWORD bytes;
    int id;
  };
  const Image expected[] = {
      {16, 4, 16, 296, 30001}, {16, 8, 0, 1384, 30002}, {32, 4, 16, 744, 30003}, {32, 8, 0, 2216, 30004}};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE("image " + std::to_string(i + 1));
    GroupIconEntry entry{};
    std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
    const Image& image = expected[i];
    EXPECT_EQ(entry.width, image.size) << "width";
    EXPECT_EQ(entry.height, image.size) << "height";
    EXPECT_EQ(entry.colours, image.colours) << "colour count";
    EXPECT_EQ(entry.bit_count, image.bits) << "bits per pixel";
    EXPECT_EQ(entry.bytes, image.bytes) << "bytes in the group entry";
    EXPECT_EQ(entry.id, image.id) << "resource id";

    const std::vector<BYTE> dib = program.Data(image.id, 3);
    ASSERT_EQ(dib.size(), image.bytes) << "bytes of the image resource";
    BITMAPINFOHEADER header{};
    std::memcpy(&header, dib.data(), sizeof header);
    EXPECT_EQ(header.biSize, sizeof header) << "a plain DIB";
    EXPECT_EQ(header.biWidth, image.size);
    EXPECT_EQ(header.biHeight, 2 * image.size) << "colour rows and mask rows";
    EXPECT_EQ(header.biBitCount, image.bits);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB)) << "uncompressed";
  }
}

TEST(program_file, manifest_asks_for_common_controls_6_and_per_monitor_v2) {
  const ProgramResources program;
  ASSERT_TRUE(program.Loaded()) << "Morvana.exe next to the test";
  const std::vector<BYTE> data = program.Data(resources::kManifestId, 24);
  const std::string manifest(data.begin(), data.end());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos)
      << "Common Controls v6";
  EXPECT_NE(manifest.find(">PerMonitorV2"), std::string::npos) << "per-monitor-v2 DPI awareness";
}

// A running Morvana.exe; killed at the end if a test left it running.
class RunningProgram {
 public:
  RunningProgram() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_) != 0;
  }
  ~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  [[nodiscard]] bool Started() const { return started_; }

  // frmMain once it is on screen, or nullptr after 30 s.
  [[nodiscard]] HWND WaitForWindow() const {
    struct Search {
      DWORD process;
      HWND found;
    } search{process_.dwProcessId, nullptr};
    for (int tries = 0; tries < 300 && search.found == nullptr; ++tries) {
      EnumWindows(
          [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            std::array<wchar_t, 32> name{};
            GetClassNameW(hwnd, name.data(), static_cast<int>(name.size()));
            if (owner != s.process || std::wstring(name.data()) != frmMain::kClassName ||
                !IsWindowVisible(hwnd)) {
              return TRUE;
            }
            s.found = hwnd;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&search));
      if (search.found == nullptr) Sleep(100);
    }
    return search.found;
  }

  // The exit code, or STILL_ACTIVE when it has not ended within 10 s.
  [[nodiscard]] DWORD WaitForExit() const {
    WaitForSingleObject(process_.hProcess, 10000);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  [[nodiscard]] DWORD Thread() const { return process_.dwThreadId; }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

TEST(program_file, starts_with_its_window_and_the_caret_in_txtFromFirstOctet) {
  const RunningProgram program;
  ASSERT_TRUE(program.Started()) << "CreateProcess of Morvana.exe";
  HWND window = program.WaitForWindow();
  ASSERT_NE(window, nullptr) << "frmMain shown";
  EXPECT_EQ(WindowText(window), L"Morvana") << "caption";
  RECT client{};
  GetClientRect(window, &client);
  std::cout << "[ window   ] client area " << client.right << " x " << client.bottom << " pixels\n";
  EXPECT_EQ(client.right, 272) << "client width";
  EXPECT_EQ(client.bottom, 162) << "client height";
  // Shown first, then activated: the focus lands a moment later under a busy X server.
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  for (int tries = 0; tries < 100 && gui.hwndFocus == nullptr; ++tries) {
    if (tries > 0) Sleep(20);
    ASSERT_TRUE(GetGUIThreadInfo(program.Thread(), &gui));
  }
  EXPECT_EQ(GetDlgCtrlID(gui.hwndFocus), frmMain::ChildId(layout::ControlId::txtFromFirstOctet)) << "focus";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u) << "closed";
}

TEST(program_file, closing_the_window_ends_the_process_with_exit_code_0) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  };
  const Case cases[] = {
      {"close_button", WM_SYSCOMMAND, SC_CLOSE, 0},
      {"alt_f4", WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(1 | KF_ALTDOWN << 16)},
  };
  for (const Case& c : cases) {
    const RunningProgram program;
    ASSERT_TRUE(program.Started()) << c.name;
    HWND window = program.WaitForWindow();
    ASSERT_NE(window, nullptr) << c.name;
    HWND box = GetDlgItem(window, frmMain::ChildId(layout::ControlId::txtFromFirstOctet));
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));  // nothing is asked, nothing kept
    PostMessageW(window, c.message, c.wparam, c.lparam);
    EXPECT_EQ(program.WaitForExit(), 0u) << c.name;
  }
}

}  // namespace
}  // namespace morvana
