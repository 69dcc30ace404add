#pragma once
// The record files a form works with, opened through their open counters
// while the form runs and closed again when it ends: the same set of opened
// files the list windows keep (data::OpenedFiles).

#include "data/FileServices.h"

namespace velkora::form {

using FormFiles = data::OpenedFiles;

} // namespace velkora::form
