#pragma once
// The record files a form works with, opened through their open counters
// while the form runs and closed again when it ends.

#include "data/RecordFile.h"

#include <initializer_list>
#include <vector>

namespace velkora::form {

class FormFiles {
public:
    FormFiles() = default;
    ~FormFiles() { close(); }
    FormFiles(const FormFiles&) = delete;
    FormFiles& operator=(const FormFiles&) = delete;

    // Opens each file; false as soon as one cannot be opened (the warning
    // was shown and the application has ended). Files opened stay open until close().
    bool open(std::initializer_list<data::RecordFile*> files);
    void close();

private:
    std::vector<data::RecordFile*> open_;
};

} // namespace velkora::form
