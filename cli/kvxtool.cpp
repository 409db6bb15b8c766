#include <cstdio>

int main() {
    std::fputs("kvxtool: no commands yet\n", stderr);
    return 2;
}
