// Reading requests: annotated datagrams, and every cut of a valid request refused cleanly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/requests.h"
#include "tests/sim/request_builders.h"

namespace {

using simtest::DeviceTagOf;

const Tag kClient = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 10, 213, 1, 1};
const Tag kDevice = DeviceTagOf({0x02, 0x00, 0x5E, 0x10, 0x00, 0x01}, {10, 213, 1, 10});

Decoded Decode(const std::vector<uint8_t>& bytes) {
  return DecodeRequest(bytes.data(), bytes.size());
}

TEST(Requests, SearchRequestGivesTheClientTag) {
  // clang-format off
  const std::vector<uint8_t> bytes = {
      0x01,                                // opcode
      0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6,  // client tag: random part
      10, 213, 1, 1,                       //             host address
  };
  // clang-format on
  const Decoded decoded = Decode(bytes);
  ASSERT_EQ(decoded.status, DecodeStatus::kRequest) << decoded.problem;
  EXPECT_EQ(decoded.request.kind, RequestKind::kSearch);
  EXPECT_EQ(decoded.request.clientTag, kClient);
}

TEST(Requests, LoginRequestSplitsUserAndPasswordAtTheSeparator) {
  // clang-format off
  const std::vector<uint8_t> bytes = {
      0x03,                                               // opcode
      0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 10, 213, 1, 1,  // client tag
      0x02, 0x00, 0x5E, 0x10, 0x00, 0x01, 10, 213, 1, 10, // device tag
      0x04, 0x00, 0x00,                                   // sub-command login, two zeroes
      0x09, 0x00, 0x00, 0x00,                             // length U + P + 2 = 9
      'a', 'd', 'm', 'i', 'n',                            // user
      0x55, 0xAA,                                         // separator
      'p', 'w',                                           // password
  };
  // clang-format on
  const Decoded decoded = Decode(bytes);
  ASSERT_EQ(decoded.status, DecodeStatus::kRequest) << decoded.problem;
  EXPECT_EQ(decoded.request.kind, RequestKind::kLogin);
  EXPECT_EQ(decoded.request.clientTag, kClient);
  EXPECT_EQ(decoded.request.deviceTag, kDevice);
  EXPECT_EQ(decoded.request.user, "admin");
  EXPECT_EQ(decoded.request.password, "pw");
}

TEST(Requests, LoginWithEmptyPasswordIs35Bytes) {
  const auto bytes = simtest::LoginRequest(kClient, kDevice, "admin", "");
  ASSERT_EQ(bytes.size(), 35u);
  const Decoded decoded = Decode(bytes);
  ASSERT_EQ(decoded.status, DecodeStatus::kRequest) << decoded.problem;
  EXPECT_EQ(decoded.request.user, "admin");
  EXPECT_EQ(decoded.request.password, "");
}

TEST(Requests, StaticAddressRequestGivesTheThreeAddresses) {
  const auto bytes =
      simtest::StaticAddressRequest(kClient, kDevice, "10.0.0.2", "255.255.0.0", "10.0.0.1");
  ASSERT_EQ(bytes.size(), 68u);
  const Decoded decoded = Decode(bytes);
  ASSERT_EQ(decoded.status, DecodeStatus::kRequest) << decoded.problem;
  EXPECT_EQ(decoded.request.kind, RequestKind::kStaticAddress);
  EXPECT_EQ(decoded.request.deviceTag, kDevice);
  EXPECT_EQ(decoded.request.newIp, (Ipv4{10, 0, 0, 2}));
  EXPECT_EQ(decoded.request.newNetmask, (Ipv4{255, 255, 0, 0}));
  EXPECT_EQ(decoded.request.newGateway, (Ipv4{10, 0, 0, 1}));
}

TEST(Requests, ShareListAndDhcpRequestsAreRecognised) {
  EXPECT_EQ(Decode(simtest::ShareListRequest(kClient, kDevice)).request.kind,
            RequestKind::kShareList);
  EXPECT_EQ(Decode(simtest::DhcpRequest(kClient, kDevice)).request.kind, RequestKind::kDhcp);
}

TEST(Requests, EveryCutOfAValidRequestIsRefused) {
  const std::vector<std::vector<uint8_t>> requests = {
      simtest::SearchRequest(kClient),
      simtest::LoginRequest(kClient, kDevice, "admin", "secret"),
      simtest::ShareListRequest(kClient, kDevice),
      simtest::DhcpRequest(kClient, kDevice),
      simtest::StaticAddressRequest(kClient, kDevice, "10.213.2.20", "255.255.255.0", "10.213.2.1"),
  };
  for (const auto& request : requests) {
    ASSERT_EQ(Decode(request).status, DecodeStatus::kRequest);
    for (size_t length = 1; length < request.size(); ++length) {
      // A copy of exactly `length` bytes, so that AddressSanitizer sees any read past it.
      const std::vector<uint8_t> cut(request.begin(), request.begin() + length);
      EXPECT_EQ(Decode(cut).status, DecodeStatus::kMalformed)
          << "opcode " << int(request[0]) << " cut to " << length;
    }
  }
  EXPECT_EQ(DecodeRequest(nullptr, 0).status, DecodeStatus::kNotARequest);
}

TEST(Requests, NonsenseInsideARequestIsRefused) {
  auto withoutSeparator = simtest::LoginRequest(kClient, kDevice, "admin", "pw");
  withoutSeparator[28 + 5] = 0x00;
  auto netmaskWithoutZero =
      simtest::StaticAddressRequest(kClient, kDevice, "10.0.0.2", "255.255.255.0", "10.0.0.1");
  std::fill(netmaskWithoutZero.begin() + kNetmaskOffset,
            netmaskWithoutZero.begin() + kGatewayOffset, '1');
  auto lengthPastEnd =
      simtest::StaticAddressRequest(kClient, kDevice, "10.0.0.2", "255.255.255.0", "10.0.0.1");
  lengthPastEnd[kTextLengthOffset] = 9;
  auto unknownSub = simtest::ShareListRequest(kClient, kDevice);
  unknownSub[kSubCommandOffset] = 9;

  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"login without separator", withoutSeparator},
      {"netmask filling its field", netmaskWithoutZero},
      {"new address length past the end", lengthPastEnd},
      {"new address out of range",
       simtest::StaticAddressRequest(kClient, kDevice, "10.0.0.256", "255.255.255.0", "10.0.0.1")},
      {"new address with a leading space",
       simtest::StaticAddressRequest(kClient, kDevice, " 10.0.0.2", "255.255.255.0", "10.0.0.1")},
      {"gateway not an address",
       simtest::StaticAddressRequest(kClient, kDevice, "10.0.0.2", "255.255.255.0", "gw")},
      {"unknown sub-command", unknownSub},
  };
  for (const auto& c : cases) {
    const Decoded decoded = Decode(c.bytes);
    EXPECT_EQ(decoded.status, DecodeStatus::kMalformed) << c.what;
    EXPECT_FALSE(decoded.problem.empty()) << c.what;
  }
}

TEST(Requests, RepliesAndUnknownOpcodesAreNotRequests) {
  for (uint8_t opcode : {0, 2, 4, 6, 7, 255}) {
    std::vector<uint8_t> bytes = simtest::DhcpRequest(kClient, kDevice);
    bytes[0] = opcode;
    EXPECT_EQ(Decode(bytes).status, DecodeStatus::kNotARequest) << int(opcode);
  }
}

}  // namespace
