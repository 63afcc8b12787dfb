// Uses the equation, which its options force in.
int handed() { return equation(); }
