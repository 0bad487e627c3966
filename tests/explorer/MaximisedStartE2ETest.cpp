// The explorer opens maximised when the stored setting says so, and only for the value 1.
#include "ExplorerDriver.h"
#include "ExplorerFixture.h"

TEST(MaximisedStartE2E, OnlyEmaxOneMaximisesTheExplorer)
{
    const struct {
        int emax;
        bool zoomed;
    } cases[] = {{1, true}, {0, false}, {2, false}};
    for (const auto& c : cases) {
        ClearSettings();
        TestApp().WriteProfileInt("settings", "emax", c.emax);
        CExplorerProcess app;
        ASSERT_TRUE(app.Start()) << c.emax;
        EXPECT_EQ(::IsZoomed(app.Frame()) != FALSE, c.zoomed) << "emax " << c.emax;
    }
    ClearSettings();
}
