#include <gtest/gtest.h>

#include <string>

#include "platform/trim_at_null.h"

namespace discgate {
namespace {

using namespace std::string_literals;

TEST(TrimAtNull, CutsAFilledBufferAtItsFirstNul) {
  EXPECT_EQ(TrimAtNull(std::string_view("abc\0def"s)), "abc");
  EXPECT_EQ(TrimAtNull(std::string_view("abcdef")), "abcdef");
  EXPECT_EQ(TrimAtNull(std::string_view("\0abc"s)), "");
  EXPECT_EQ(TrimAtNull(std::string_view("")), "");
  EXPECT_EQ(TrimAtNull(std::u16string_view(u"C:\\Temp\\\0     "s)), u"C:\\Temp\\");
}

}  // namespace
}  // namespace discgate
