#include <cstdio>

int main() {
    std::puts("Korvane 2: the editor is not built yet.");
    return 0;
}
