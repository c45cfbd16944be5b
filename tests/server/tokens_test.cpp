#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "tokens/api_keys.h"
#include "tokens/secret_file.h"
#include "tokens/token_signer.h"

namespace oskel::tokens {
namespace {

constexpr const char* kInstall = "6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f";
const std::string kSecret(64, 's');

TEST(TokenSigner, IssuesTokensThatVerifyAndRefusesTamperedOnes) {
  TokenSigner signer(kSecret, 0);
  std::string token = signer.issue(kInstall, 1000);
  EXPECT_EQ(token.rfind("v1." + signer.keyId() + ".1000." + kInstall + ".", 0), 0u);
  VerifiedToken ok = signer.verify(token, 5'000'000);
  EXPECT_EQ(ok.check, TokenCheck::kValid);  // lifetime 0: never expires
  EXPECT_EQ(ok.installId, kInstall);

  std::string forged = token;
  forged[forged.size() - 1] = forged.back() == 'A' ? 'B' : 'A';
  EXPECT_EQ(signer.verify(forged, 1000).check, TokenCheck::kForged);
  std::string otherTime = token;
  otherTime.replace(otherTime.find(".1000."), 6, ".1001.");
  EXPECT_EQ(signer.verify(otherTime, 1001).check, TokenCheck::kForged);
  EXPECT_EQ(signer.verify("", 1000).check, TokenCheck::kMalformed);
  EXPECT_EQ(signer.verify("v1.a.b.c", 1000).check, TokenCheck::kMalformed);
  EXPECT_EQ(signer.verify(token + ".x", 1000).check, TokenCheck::kMalformed);
  EXPECT_EQ(signer.verify("v2" + token.substr(2), 1000).check, TokenCheck::kMalformed);
  EXPECT_EQ(signer.verify(std::string(300, 'v'), 1000).check, TokenCheck::kMalformed);
  // Issued far in the future: refused.
  EXPECT_EQ(signer.verify(signer.issue(kInstall, 2000), 1000).check, TokenCheck::kForged);
}

TEST(TokenSigner, ReplicasSharingTheSecretAgreeAndOthersDoNot) {
  TokenSigner a(kSecret, 0);
  TokenSigner b(kSecret, 0);
  TokenSigner other(std::string(64, 't'), 0);
  std::string token = a.issue(kInstall, 1000);
  EXPECT_EQ(b.verify(token, 1000).check, TokenCheck::kValid);
  EXPECT_EQ(other.verify(token, 1000).check, TokenCheck::kWrongKey);
}

TEST(TokenSigner, LifetimeBoundary) {
  TokenSigner signer(kSecret, 60);
  std::string token = signer.issue(kInstall, 1000);
  EXPECT_EQ(signer.verify(token, 1060).check, TokenCheck::kValid);
  EXPECT_EQ(signer.verify(token, 1061).check, TokenCheck::kExpired);
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/answerd-test-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string dir_;
};

using SecretFile = TempDir;

TEST_F(SecretFile, CreatesAnOwnerOnlySecretOnceAndReadsItAfterwards) {
  std::string path = dir_ + "/secret";
  SecretOutcome first = loadOrCreateSecret(path);
  ASSERT_TRUE(first.secret) << first.error;
  EXPECT_TRUE(first.created);
  EXPECT_EQ(first.secret->size(), 64u);
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  SecretOutcome second = loadOrCreateSecret(path);
  ASSERT_TRUE(second.secret);
  EXPECT_FALSE(second.created);
  EXPECT_EQ(*second.secret, *first.secret);
  EXPECT_TRUE(second.warning.empty());
}

TEST_F(SecretFile, RefusesShortSecretsAndWarnsAboutOpenPermissions) {
  std::string path = dir_ + "/short";
  std::ofstream(path) << "too short\n";
  SecretOutcome shortOne = loadOrCreateSecret(path);
  EXPECT_FALSE(shortOne.secret);
  EXPECT_NE(shortOne.error.find("32 to 4096 bytes"), std::string::npos);
  std::string open = dir_ + "/open";
  std::ofstream(open) << std::string(40, 'k') << "\n";
  chmod(open.c_str(), 0644);
  SecretOutcome opened = loadOrCreateSecret(open);
  ASSERT_TRUE(opened.secret);
  EXPECT_EQ(*opened.secret, std::string(40, 'k'));
  EXPECT_FALSE(opened.warning.empty());
  SecretOutcome missingDir = loadOrCreateSecret(dir_ + "/no/such/dir/secret");
  EXPECT_FALSE(missingDir.secret);
}

TEST_F(SecretFile, ApiKeysFromAFile) {
  std::string path = dir_ + "/keys";
  std::ofstream(path) << "# direct protocol keys\nkey-one\n\n  key two  \r\n";
  std::optional<ApiKeys> keys = ApiKeys::load(path);
  ASSERT_TRUE(keys);
  EXPECT_EQ(keys->size(), 2u);
  EXPECT_TRUE(keys->accepts("key-one"));
  EXPECT_TRUE(keys->accepts("key two"));
  EXPECT_FALSE(keys->accepts("key"));
  EXPECT_FALSE(keys->accepts(""));
  EXPECT_FALSE(keys->accepts("# direct protocol keys"));
  EXPECT_FALSE(ApiKeys::load(dir_ + "/missing"));
  EXPECT_FALSE(ApiKeys().accepts("anything"));
}

}  // namespace
}  // namespace oskel::tokens
