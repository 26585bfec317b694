// The window's side of the extractors: finding them at start-up.
#include "app/form1.h"

void Form1::deployTextExtractor() {}

void Form1::runReadabilityCheck() {}
