// Compiled with no record of what it opened.
