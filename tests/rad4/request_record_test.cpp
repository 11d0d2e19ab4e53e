#include "rad4/request_record.h"

#include <gtest/gtest.h>

namespace {

TEST(BlockTokenOf, TakesTheTokenFromANameOfTheDriversFormOnly) {
    EXPECT_EQ(rad4::BlockTokenOf(u"RIZOZID4Evt-0000ABCD-12EF0009"), 0x12EF0009u);
    EXPECT_EQ(rad4::BlockTokenOf(u"RIZOZID4Evt-FFFFFFFF-00000000"), 0u);
    for (const char16_t* name : {
             u"RIZOZID4Evt-0000ABCD-12ef0009",   // lower-case digit
             u"RIZOZID4Evt-0000ABCD_12EF0009",   // no dash between the numbers
             u"RIZOZID4Evt-0000ABC-12EF00090",   // dash out of place
             u"RIZOZID4Evt-0000ABCD-12EF000",    // too short
             u"RIZOZID4Evt-0000ABCD-12EF00090",  // too long
             u"RIZOZID4EvX-0000ABCD-12EF0009",   // another prefix
             u"RIZOZID4Evt-0000ABGD-12EF0009",   // not a digit in the process number
             u"",
         }) {
        EXPECT_FALSE(rad4::BlockTokenOf(name)) << std::u16string_view(name).size();
    }
}

}  // namespace
