// Address refresh: the IP helper's list searched by the adapter's name.
#include "status_fixture.h"

struct AddressCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> list;
    const char* shown;
};

class AddressTest : public StatusTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(AddressTest, ShowsTheAddressListedUnderTheAdapterNameOnly) {
    addresses = GetParam().list;
    Run([this] {
        At(6000);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), GetParam().shown);
        At(30000);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), GetParam().shown);
        EXPECT_EQ(Text(IDC_MAC_ADDRESS), "00-0A-0B-1C-2D-3E");
    });
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AddressTest,
    ::testing::Values(AddressCase{"Own", {{"SDW1", "192.0.2.10"}}, "192.0.2.10"},
                      AddressCase{
                          "Second", {{"ETH0", "192.0.2.20"}, {"SDW1", "192.0.2.10"}}, "192.0.2.10"},
                      AddressCase{"OtherOnly", {{"ETH0", "192.0.2.20"}}, ""},
                      AddressCase{"OtherCase", {{"sdw1", "192.0.2.10"}}, ""},
                      AddressCase{"Empty", {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusTest, AddressStaysWhenTheAdapterLeavesTheList) {
    addresses = {{NAME_TEXT, "192.0.2.10"}};
    Run([this] {
        At(6000);
        RemoveAdapterAddress(NAME_TEXT);
        SetAdapterAddress("ETH0", "192.0.2.20", MASK);
        At(18000);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "192.0.2.10");
    });
}
