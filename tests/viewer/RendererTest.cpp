#include "support/TestSupport.h"
TEST(Renderer, Placeholder) {}
