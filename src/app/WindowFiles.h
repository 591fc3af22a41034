#pragma once

#include <QString>

class Variables;
class Element;
class MainWindow;

// Loads the skin windows and their elements from the data folder's window files ("windows"
// and "sfw." + index) and saves them back.
class WindowFiles {
public:
    explicit WindowFiles(Variables& variables) : variables(variables) {}

    // Creates the windows the count file names (one when it is missing) and loads each.
    void loadWindows();
    // Loads window file i into window i, which exists; appends its element list. A missing file
    // is first written from the built-in default.
    void loadWindowFile(int index);
    void saveWindows();

private:
    QString pathOf(const QString& fileName) const;
    bool saveWindowFile(size_t index);

    Variables& variables;
};
