#include <gtest/gtest.h>

#include <cerrno>

#include "model/file_error_text.h"

namespace orv {
namespace {

TEST(FileErrorReasonTest, NamesAFullDiskAndNumbersAnUnforeseenError) {
    for (const int full : {ENOSPC, EDQUOT}) {
        EXPECT_EQ(fileErrorReason({full, std::generic_category()}), "disque plein");
    }
    EXPECT_EQ(fileErrorReason(std::make_error_code(std::errc::io_error)), "erreur système 5");
}

}  // namespace
}  // namespace orv
