// The start-up floor: a minimal C++ process.
int main() { return 0; }
