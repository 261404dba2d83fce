#include "shell/help_text.h"

// 39 lines framed for tab stops every 8 columns: every closing asterisk stands in column
// 89, under the last asterisk of the border.
const char helpText[] =
    "*****************************************************************************************\n"
    "*\t\t\t\t\t\t\t\t\t\t\t* \t\n"
    "*\t*Welcome to Quorvanteline*\t\t\t\t\t\t\t*\t\t\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\t\t\n"
    "* Using Quorvanteline, you can split large files into smaller ones, then you can  \t*\n"
    "* merge them to make back the \"original file\".\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\"SPLIT\"\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\t\n"
    "* (1) Go to File->Open or press alt + f + o.\t\t\t\t\t\t*\n"
    "* (2) Navigate to the file you want to split and select it.\t\t\t\t*\n"
    "* (3) Go to Actions->Split or press alt + a + s.\t\t\t\t\t*\n"
    "* (4) Write number of files to split into or choose file size for each part.\t\t*\n"
    "* (5) Press \"Start Splitting\".\t\t\t\t\t\t\t\t*\t\n"
    "* (6) Wait.\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\"MERGE\"\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "* (1) Go to File->Open or press alt + f + o.\t\t\t\t\t\t*\t\n"
    "* (2) Navigate to the splitted files and choose ANY of them. (.qv and .qvo files only). *\n"
    "* (3) Go to Actions->Merge or press alt + a + m.\t\t\t\t\t*\t\n"
    "* (4) Press \"Start Merging\".\t\t\t\t\t\t\t\t*\t\n"
    "* (5) Wait.\t\t\t\t\t\t\t\t\t\t*\t\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*    \t\t\t\t***WARNING***\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*   DO NOT MODIFY, DELETE OR RENAME ANY OF THE SPLITTED FILES(ESPECIALLY THE \".qvo\"     *\n"
    "*   FILE), OTHERWISE \"QUORVANTELINE\" CANNOT GUARANTEE THE RECOVERY OF THE ORIGINAL FILE\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*\t\t\t\t\t\t\tBest of luck...\t\t\t*\n"
    "*\t          \t\t\t\t\t\tLena Quorvant\t\t*\n"
    "*\t\t\t\t\t\t\t\t\t\t\t*\n"
    "*****************************************************************************************\n";

const char helpFileName[] = "How To Use Quorvanteline.txt";

const char aboutText[] =
    "Quorvanteline v 1.0\n"
    "Splits a file into parts and merges them back.\n\n"
    "Written by Lena Quorvant\n"
    "Feedback: feedback@quorvanteline.example";
