// Entry function of Kipto2.
#include <cstdio>

int main()
{
    std::puts("Kipto2: the game is not assembled yet; the class library is being built.");
    return 0;
}
