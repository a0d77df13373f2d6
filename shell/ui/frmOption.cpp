#include "frmOption.h"
