// GoogleTest main for tests without widgets.
#include "SkipVerdict.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return testing_support::WithSkipVerdict(RUN_ALL_TESTS());
}
