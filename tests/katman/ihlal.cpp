// Compiled only by the layering test: includes a header of a layer that
// KATMAN_BASLIGI's target does not link, and so must fail to compile.
#include KATMAN_BASLIGI

int main() { return 0; }
