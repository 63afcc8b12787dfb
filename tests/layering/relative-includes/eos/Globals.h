// The equation, reached below by paths round the include paths.
int equation();
