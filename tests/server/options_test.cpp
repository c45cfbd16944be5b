#include <gtest/gtest.h>

#include <map>

#include "http/options.h"

namespace oskel::http {
namespace {

ParsedOptions parse(std::vector<std::string> args, std::map<std::string, std::string> env = {}) {
  return parseOptions(args, [env](const std::string& name) -> std::optional<std::string> {
    auto it = env.find(name);
    if (it == env.end()) return std::nullopt;
    return it->second;
  });
}

TEST(Options, DefaultsFlagsAndEnvironmentFallbacks) {
  ParsedOptions defaults = parse({});
  ASSERT_TRUE(defaults.options);
  EXPECT_EQ(defaults.options->host, "127.0.0.1");
  EXPECT_EQ(defaults.options->port, 8787);
  EXPECT_EQ(defaults.options->tokenLifetime, 0);
  EXPECT_FALSE(defaults.options->minVersion);

  ParsedOptions env = parse({}, {{"OSKEL_ANSWERD_LISTEN", "0.0.0.0:9000"},
                                 {"OSKEL_ANSWERD_TOKEN_LIFETIME", "3600"},
                                 {"OSKEL_ANSWERD_MIN_VERSION", "1.2.0"},
                                 {"OSKEL_ANSWERD_UPDATE_URL", "https://oskel.example/update"},
                                 {"OSKEL_ANSWERD_SECRET_FILE", "/var/lib/answerd/secret"},
                                 {"OSKEL_ANSWERD_API_KEYS_FILE", "/etc/answerd/keys"}});
  ASSERT_TRUE(env.options) << env.error;
  EXPECT_EQ(env.options->host, "0.0.0.0");
  EXPECT_EQ(env.options->port, 9000);
  EXPECT_EQ(env.options->tokenLifetime, 3600);
  EXPECT_TRUE(*env.options->minVersion == *protocol::Version::parse("1.2"));
  EXPECT_EQ(env.options->secretFile, "/var/lib/answerd/secret");
  EXPECT_EQ(env.options->apiKeysFile, "/etc/answerd/keys");

  // A flag wins over its variable; both spellings of a flag work.
  ParsedOptions both = parse({"--listen", "127.0.0.1:0", "--token-lifetime=5"}, {{"OSKEL_ANSWERD_LISTEN", "0.0.0.0:9000"}});
  ASSERT_TRUE(both.options);
  EXPECT_EQ(both.options->host, "127.0.0.1");
  EXPECT_EQ(both.options->port, 0);
  EXPECT_EQ(both.options->tokenLifetime, 5);
  ParsedOptions ipv6 = parse({"--listen", "[::1]:8787"});
  ASSERT_TRUE(ipv6.options);
  EXPECT_EQ(ipv6.options->host, "::1");
}

TEST(Options, RefusesBadValues) {
  EXPECT_EQ(parse({"--listen", "localhost"}).error, "--listen: expected HOST:PORT, got \"localhost\"");
  EXPECT_EQ(parse({"--listen", "h:70000"}).error, "--listen: expected HOST:PORT, got \"h:70000\"");
  EXPECT_EQ(parse({"--token-lifetime", "-1"}).error, "--token-lifetime: expected a number of seconds, got \"-1\"");
  EXPECT_EQ(parse({"--token-lifetime", "10s"}).error, "--token-lifetime: expected a number of seconds, got \"10s\"");
  EXPECT_EQ(parse({"--min-version", "1.x"}).error, "--min-version: expected X.Y.Z, got \"1.x\"");
  EXPECT_EQ(parse({"--min-version", "1.0"}).error, "--min-version needs --update-url: the client shows that page to the user");
  EXPECT_EQ(parse({"--verbose", "1"}).error, "unknown option: --verbose");
  EXPECT_EQ(parse({"--listen"}).error, "--listen needs a value");
  EXPECT_EQ(parse({"stray"}).error, "unexpected argument: stray");
  EXPECT_TRUE(parse({"--help"}).options->help);
}

}  // namespace
}  // namespace oskel::http
