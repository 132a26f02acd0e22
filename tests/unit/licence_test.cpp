#include <gtest/gtest.h>

#include "launcher/licence_loader.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

TEST(LicenceLoading, TheCurrentDirectoryComesFirst) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "from the current directory";
  platform.files["E:\\setup\\License.txt"] = "beside the program";
  const Result<Licence> licence = LoadLicence(platform, "E:\\setup", {});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "from the current directory");
}

TEST(LicenceLoading, StartedFromElsewhereTheLicenceBesideTheProgramIsShown) {
  testing::FakePlatform platform;
  platform.files["E:\\License.txt"] = "beside the program\n";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "beside the program\r\n");
}

TEST(LicenceLoading, MissingFromBothPlacesNamesTheFileAndTheSystemError) {
  testing::FakePlatform platform;
  const Result<Licence> licence = LoadLicence(platform, "E:\\setup", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, kErrorFileNotFound);
  EXPECT_EQ(licence.error().description, "fake error 2");
  EXPECT_NE(licence.error().action.find("E:\\setup\\License.txt"), std::string::npos);
}

TEST(LicenceLoading, AnUnreadableLicenceIsReportedNotSkipped) {
  // A licence that is there but cannot be read must not be replaced by another one.
  testing::FakePlatform platform;
  platform.unreadable["License.txt"] = testing::FakeError(5);
  platform.files["E:\\License.txt"] = "another licence";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, 5u);
  EXPECT_NE(licence.error().action.find("\"License.txt\""), std::string::npos);
}

TEST(LicenceLoading, AnOversizedLicenceIsRefusedWithAClearMessage) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = std::string(kMaxLicenceBytes + 1, 'x');
  platform.files["E:\\License.txt"] = "small";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, kErrorFileTooLarge);
  EXPECT_EQ(licence.error().action,
            "The licence agreement \"License.txt\" is too large to show (more than 16 MB).");

  platform.files["License.txt"] = std::string(kMaxLicenceBytes, 'x');
  EXPECT_TRUE(LoadLicence(platform, "E:\\", {}).ok());
}

}  // namespace
}  // namespace discgate
