// Lines by clicks: the line and segment tools.
#include "moteur_fixture.h"

namespace velk::test {
namespace {

TEST_F(MoteurTest, SegmentDeuxPoints)
{
    hote.Programme({"P0:=0,0,0,0", "P1:=10,0,0,0"});
    Outil(OutilSegment);
    Clic(0, 0);
    Clic(10, 0);
    EXPECT_EQ(Derniere(), "L0:=P0,P1,0,0");
}

} // namespace
} // namespace velk::test
