#!/usr/bin/env bash
# The browser edition's tests, from the folders scripts/test builds them in:
#   run_web.sh wasm <source> <desktop build>      engine_tests and core_tests in WebAssembly under node
#   run_web.sh browser <source> <desktop build>   the page in Chromium (web/tests)
set -euo pipefail
what=$1 source=$2 build=$3
case "$what" in
    wasm)
        [ -f "$source/build-wasm/CTestTestfile.cmake" ] || {
            echo "No WebAssembly build in $source/build-wasm: run scripts/test" >&2
            exit 1
        }
        exec ctest --test-dir "$source/build-wasm" --output-on-failure
        ;;
    browser)
        [ -f "$source/web/dist/kinetra.html" ] || {
            echo "No page in $source/web/dist: run scripts/test" >&2
            exit 1
        }
        cd "$source/web"
        KINETRA_NATIVE_BUILD=$build exec npm test --silent
        ;;
    *)
        echo "usage: run_web.sh wasm|browser <source> <desktop build>" >&2
        exit 2
        ;;
esac
