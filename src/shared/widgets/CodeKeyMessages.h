#pragma once

// Reference messages explaining the letters of sentence and name patterns.
void showSentenceKey();
void showNameKey();
