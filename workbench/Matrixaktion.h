#pragma once
// The matrix group box: fourteen operations on the matrices A and B typed into the table (A from
// row 1, column 3; B after one empty column to its right), results written below A. Also the
// reading and writing of matrices and the coding of a text as a matrix of character codes.

#include <string>
#include <vector>

#include "analysis/UMatrizen.h"
#include "table/UStringGrid.h"
#include "workbench/Anzeige.h"

// Entries of ComboBox_MatrixOps.
enum TMatrixoperation : int {
  Op_rref = 0,
  Op_det = 1,
  Op_Potenz = 2,
  Op_Inverse = 3,
  Op_Text_zu_Codes = 4,
  Op_Einheitsmatrix = 5,
  Op_Nullmatrix = 6,
  Op_Transponierte = 7,
  Op_A_mal_B = 8,
  Op_An_mal_B = 9,
  Op_Codes_zu_Text = 10,
  Op_r_mal_A = 11,
  Op_B_mal_A = 12,
  Op_Rang = 13,
};

// The largest square matrix whose [A | E] fits the store.
constexpr int kInverse_hoechstens = kMatrix_Spalten / 2;

// Reads A (offset 0) or B (offset = columns of A, first column after one empty one): the block of
// equally long number columns from row 1 on. Shows the reason and returns false when the table
// holds no such block.
bool Matrix_einlesen(const Tabelle& t, TMatrix& m, int& zeilen, int offset, int& spalten);
// Writes a zeilen x spalten matrix with its top-left cell at (erste_spalte, erste_zeile).
void Matrix_ausgeben(Tabelle& t, const TMatrix& m, int erste_zeile, int spalten, int zeilen,
                     int erste_spalte);

// Windows-1252 codes of a UTF-8 text; a character that code page lacks becomes 63 ("?"), the
// character Windows puts in its place.
std::vector<int> Text_zu_Codes(const std::string& text);
// The character of a code 0..255 as UTF-8; control codes and the five codes without a character
// become U+FFFD, the replacement character, so that nothing invisible lands in the field.
std::string Code_zu_Zeichen(int code);
// The codes of the text, n per row, the last row filled up with spaces (32); 0 rows for an empty
// text or a single space, and for an n wider than the store. Codes beyond 44 rows are dropped, so
// the caller checks the length first.
int Text_in_Matrix(const std::string& text, TMatrix& m, int n);
// Each entry truncated towards zero and taken modulo 256 (also for negative entries) as one
// character, row by row.
std::string Matrix_in_Text(const TMatrix& m, int zeilen, int spalten);

// The echelon form that the button wrote, for the operations that solve their systems with it.
struct TStufenform {
  TMatrix C;
  int zeilen = 0;
  int spalten = 0;
};

// Runs the operation chosen in Werkbank.Matrixoperation on the table. schrittweise: the echelon
// form is shown state by state, each waiting for a key; Escape stops it. For the echelon form,
// stufenform receives the result. false when the operation did not complete (a message says why).
bool Matrixoperation_ausfuehren(Anzeige& a, bool schrittweise, TStufenform* stufenform = nullptr);
// The button SpeedButton_MatrixOps.
void Matrixoperation_geklickt(Anzeige& a, bool schrittweise);
