// Points by clicks: the point and intersection tools.
#include "moteur_fixture.h"

namespace velk::test {
namespace {

TEST_F(MoteurTest, PointMilieuDeDeuxPoints)
{
    hote.Programme({"P0:=0,0,0,0", "P1:=10,0,0,0"});
    Outil(OutilPoint);
    Clic(0, 0);
    Clic(10, 0);
    EXPECT_EQ(Derniere(), "P2:=P0,P1,M,0,0");
}

} // namespace
} // namespace velk::test
