// A day on the Status page: polling every few seconds leaves the named-event table and the
// handle table as they were after the first minute.
#include "app_fixture.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"

TEST_F(AppTest, ADayOfPollingLeavesTheNameAndHandleTablesAsTheyWere) {
    StartDriver({u"SDW1"});
    std::size_t names = 0, handles = 0;
    Run([&](MainDialog&) {
        AdvanceVirtualClock(clock, 60 * 1000);
        names = NamedEventCount();
        handles = HandleTable::Instance().Count();
        AdvanceVirtualClock(clock, 24 * 60 * 60 * 1000);
        EXPECT_EQ(NamedEventCount(), names);
        EXPECT_EQ(HandleTable::Instance().Count(), handles);
    });
    EXPECT_EQ(names, 0u);  // each request's event goes with its last handle
}
