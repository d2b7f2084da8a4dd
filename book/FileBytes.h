#pragma once

// Reading and saving whole files: guarded reads, and saves that are whole
// or not at all.
#include "book/FileRead.h"
#include "book/FileSave.h"
