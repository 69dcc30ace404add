#include "ui/form/FormFiles.h"

#include "data/FileServices.h"

namespace velkora::form {

bool FormFiles::open(std::initializer_list<data::RecordFile*> files) {
    for (data::RecordFile* file : files) {
        if (!data::OpenRecordFile(*file))
            return false;
        open_.push_back(file);
    }
    return true;
}

void FormFiles::close() {
    for (data::RecordFile* file : open_)
        data::CloseRecordFile(*file);
    open_.clear();
}

} // namespace velkora::form
