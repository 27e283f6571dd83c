#pragma once

#include <cstdint>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

// The five screens, created at start-up and alive until the program ends; each screen's
// handlers reach the others through these.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;

// Where the theory screen's back button leads: 1 the bench, 0 the main menu. Only the two
// buttons that open the theory screen write it.
extern std::int32_t ReturnToStand;
