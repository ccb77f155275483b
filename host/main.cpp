// Placeholder: the qbhost program is being built.
int main() { return 2; }
