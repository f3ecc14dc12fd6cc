#pragma once
// A data folder of its own for each test (TempFolder), and whole-file helpers.

#include "support/file_bytes.h"
#include "support/temp_folder.h"
