// Uses the equation, which its options force in.
int passed() { return equation(); }
