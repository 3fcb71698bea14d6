#pragma once

#include "platform/Services.h"

#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TfChange2;
class TfHelp;

// Every window of the program, created once in the order the program relies
// on, wired together, and living until the end of the run. The program and the
// window tests build them through this one class.
class Program final {
public:
    explicit Program(bitloom::Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window centred on the screen; its first activation follows.
    void ShowMainWindow();

    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }
    TForm3& Form3() { return *form3_; }
    TForm4& Form4() { return *form4_; }
    TfChange2& FChange2() { return *fChange2_; }
    TfHelp& FHelp() { return *fHelp_; }
    TForm5& Form5() { return *form5_; }

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TfChange2> fChange2_;
    std::unique_ptr<TfHelp> fHelp_;
    std::unique_ptr<TForm5> form5_;
};
