#include "ChessBrdCore.h"
