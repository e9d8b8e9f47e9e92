// Entry function of Kipto2.
#include "GameMain.h"

int main()
{
    return gameMain();
}
