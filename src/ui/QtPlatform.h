#pragma once

#include <QCoreApplication>

#include <QWidget>
#include <map>
#include <memory>

#include "platform/Platform.h"

class QLockFile;

namespace courtlog::ui {

// The program's dialogs drawn with Qt, its settings in QSettings, owned by the main window.
class QtPlatform : public Platform {
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    explicit QtPlatform(QWidget* owner);
    ~QtPlatform() override;

    MsgAnswer messageBox(const Text& text, MsgButtons buttons, const Text& title = {}) override;
    std::string inputBox(const Text& prompt, const Text& title,
                         const std::string& defaultText) override;
    ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) override;
    FileChoice saveFileDialog(const std::string& defaultName, const std::vector<Text>& filters,
                              std::size_t selected) override;
    FileChoice openFileDialog() override;
    FileChoice openVideoDialog(const std::string& folder) override;
    std::optional<std::string> getSetting(const std::string& app, const std::string& section,
                                          const std::string& key) override;
    void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string shown(const Text& text) override;
    void showAbout() override;
    Registry& registry() override { return *registry_; }
    bool fileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    std::string recoveryFolder() override;
    bool lockFile(const std::string& path) override;
    void unlockFile(const std::string& path) override;

protected:
    void exitProgram() override;

private:
    QWidget* owner_;  // the main window, which owns this platform
    std::unique_ptr<Registry> registry_;
    // The locks this window holds, by path, until it lets them go or ends.
    std::map<std::string, std::unique_ptr<QLockFile>> locks_;
};

}  // namespace courtlog::ui
