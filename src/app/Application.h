#pragma once
// What every run of the desktop program sets up before its first dialog (the tests too).
class QApplication;

void SetUpApplication(QApplication& application);
