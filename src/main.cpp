// Entry function of Kipto2.
#include "BackEnds.h"
#include "GameMain.h"

int main()
{
    installBackEnds();
    return gameMain();
}
