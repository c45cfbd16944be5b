// The keyring adapter against the real Secret Service (gnome-keyring, unlocked, on the
// private session bus that scripts/with-desktop.sh starts).
#include "desktop/keychain/qt_keychain.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/uuid.h"
#include "service/dravinor_keychain.h"

namespace oskel {
namespace {

TEST(QtKeychain, KeepsOneItemWithTheResultsOfTheKeyStorage) {
  if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "needs scripts/with-desktop.sh";
  QtKeychain store;
  const std::string service = "oskel.test." + Uuid::random().lowerString();
  DravinorKeychain keychain(store, MapEnvironment(std::map<std::string, std::string>{{"OSKEL_KEYCHAIN_SERVICE", service}}));

  EXPECT_EQ(store.read(service, "direct-orv-api-key").status, KeychainStatus::itemNotFound);
  EXPECT_EQ(store.update(service, "direct-orv-api-key", "x"), KeychainStatus::itemNotFound);
  EXPECT_EQ(store.read(service, "direct-orv-api-key").status, KeychainStatus::itemNotFound);  // update created nothing
  EXPECT_FALSE(keychain.read());
  EXPECT_TRUE(keychain.remove());

  EXPECT_TRUE(keychain.save(" sk-ünïcode key "));
  EXPECT_EQ(keychain.read(), " sk-ünïcode key ");
  EXPECT_TRUE(keychain.save("replacement"));
  EXPECT_EQ(keychain.read(), "replacement");
  EXPECT_FALSE(keychain.save(""));
  EXPECT_EQ(keychain.read(), "replacement");

  // Another account of the same service is a separate item.
  ASSERT_EQ(store.add(service, "other", "o"), KeychainStatus::success);
  EXPECT_EQ(store.read(service, "other").data, "o");
  EXPECT_EQ(store.remove(service, "other"), KeychainStatus::success);

  // Bytes that are not UTF-8 read as no key.
  ASSERT_EQ(store.update(service, "direct-orv-api-key", std::string("\xFF\xFE", 2)), KeychainStatus::success);
  EXPECT_EQ(store.read(service, "direct-orv-api-key").data, std::string("\xFF\xFE", 2));
  EXPECT_FALSE(keychain.read());

  EXPECT_TRUE(keychain.remove());
  EXPECT_EQ(store.read(service, "direct-orv-api-key").status, KeychainStatus::itemNotFound);
  EXPECT_TRUE(keychain.remove());
}

}  // namespace
}  // namespace oskel
