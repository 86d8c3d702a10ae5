#pragma once
// A print engine that puts nothing on paper: it keeps the text of every tab
// row and counts the pages, each holding pageLines lines.
#include <string>
#include <vector>

#include "print/PrintEngine.h"

namespace scv::test {

class CountingEngine : public PrintEngine {
 public:
  explicit CountingEngine(int pageLines = 1000000) : pageLines_(pageLines) {}
  std::vector<std::string> rows;
  int pages = 0;

  bool Execute(const PageEvent& printPage, QString&) override {
    do {
      ++pages;
      lines_ = 0;
    } while (printPage(*this));
    return true;
  }
  void ClearTabs() override {}
  void SetFont(const std::string&, double) override {}
  double PageWidth() const override { return 8.5; }
  void SetTab(double, Justify, double, int, int, int) override {}
  void Home() override {}
  void Bold(bool) override {}
  void PrintCenter(const std::string&, double) override {}
  void NewLine() override { ++lines_; }
  void SetTabShade(int percent) override { shade_ = percent; }
  int TabShade() const override { return shade_; }
  void PrintTabs(const std::string& text) override { rows.push_back(text); }
  int LinesLeft() const override { return pageLines_ - lines_; }
  void BeforeSetup() override {}
  void AfterSetup() override {}

 private:
  int pageLines_, lines_ = 0, shade_ = 0;
};

}  // namespace scv::test
