#include "ApplicationVorn.h"

int main(int argc, char** argv) { return LancerVorn(argc, argv); }
