#pragma once
// The data reorganisation window (menu "DataUtil"): on OK every address is
// read, the keys of the address file are rebuilt, and a message tells what was found.

class QWidget;

namespace velkora::app {

void runReorganiseDialog(QWidget* parent);

} // namespace velkora::app
