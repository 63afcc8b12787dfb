// Uses the equation, which its options force in.
int prefixed() { return equation(); }
