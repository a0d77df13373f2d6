#include "Messages.h"
