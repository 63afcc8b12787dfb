// Uses the equation, which its options force in.
int specified() { return equation(); }
