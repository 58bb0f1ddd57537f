#include "ration/URacion.h"

TArraySave ArraySave;
