#!/usr/bin/env bash
# Makes the Debian package from a build without the tests and starts its unpacked contents as the
# installed program would be started (the same checks as the installed_program test).
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(scripts/package.sh | tail -1)
sh tests/package/installed_test.sh build-package "$deb"
