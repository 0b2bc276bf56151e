// The application object: its title and the main form whose loop it runs.
#pragma once

#include <string>

class TForm;

class TApplication {
  public:
    // The text of the program's taskbar button.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Shows the main form and returns when it has closed.
    void Run();

  private:
    std::string title_;
    TForm* mainForm_ = nullptr;
};

TApplication& Application();
