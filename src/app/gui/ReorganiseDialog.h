#pragma once
// The data reorganisation window (menu "DataUtil"): on OK every address is
// read and the keys of the address file are rebuilt.

class QWidget;

namespace velkora::app {

void runReorganiseDialog(QWidget* parent);

} // namespace velkora::app
