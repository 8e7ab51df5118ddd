# Sourced by the test command's scripts: named checks that each say what
# failed, and go on to the next, with one summary at the end.
#   check "what must hold" command...   prints "ok - what" or "not ok - what"
#   checks_passed                       prints the counts; fails if any check did

passed=0 failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok - $what"
    passed=$((passed + 1))
  else
    echo "not ok - $what"
    failed=$((failed + 1))
  fi
}

checks_passed() {
  echo "$passed passed, $failed failed"
  [ "$failed" = 0 ]
}
