// The unit tests link the core library, whose registration calls the file-set
// installer. Where the core does not define it yet, this weak definition lets
// the tests link; the core's own definition replaces it. Tests that reach the
// file-set step put a double in place (SetFileSetInstaller), so running this
// one means a test forgot to.
#include <gtest/gtest.h>

#include "engine/install_file_set.h"

__attribute__((weak)) bool InstallFileSet() {
    ADD_FAILURE() << "the file-set installer ran without a test double";
    return false;
}
