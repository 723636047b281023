// Placeholders for activity functions not written yet; each moves to its own file when done.
#include "mainwindow.h"

#include <QKeyEvent>
#include <QPixmap>

void MainWindow::startActivity() { }
Letter::Letter *MainWindow::drawLetter(bool /*useFilters*/) { return nullptr; }
Word::Word *MainWindow::drawWord(Letter::Letter */*letter*/, bool /*useCategoryFilter*/) { return nullptr; }
Word::Word *MainWindow::drawWordForTypedLetter(bool /*useCategoryFilter*/) { return nullptr; }
void MainWindow::clearStage() { }
void MainWindow::resetScreen() { }
void MainWindow::releaseWordButtons() { }
void MainWindow::hideLetterLabels(bool /*clearPictures*/) { }
void MainWindow::showLetterLabels() { }
void MainWindow::showTitle() { }
QString MainWindow::letterImageName(const QString &/*word*/, int &/*index*/, bool /*caseFolder*/) { return {}; }
int MainWindow::countDigraphsBefore(const QString &/*word*/, int /*index*/) { return 0; }
void MainWindow::setLetterPicture(QLabel */*label*/, const QString &/*fontDir*/, const QString &/*imageName*/) { }
void MainWindow::renderWord(Word::Word */*word*/, const QString &/*fontDir*/) { }
int MainWindow::pickHiddenLetter(const QString &/*word*/, QString &/*letterText*/) { return 0; }
void MainWindow::letterForAnswer(QString &/*text*/, QString &/*shownForm*/) { }
void MainWindow::checkTypedWord() { }
bool MainWindow::pickTypedLetter(const QString &/*text*/) { return false; }
void MainWindow::slotRepeatWord() { }
void MainWindow::slotToggleWord() { }
void MainWindow::slotObjectWord(Word::Word */*word*/) { }
void MainWindow::slotObjectGuessWord(Word::Word */*word*/) { }
void MainWindow::slotObjectWord_stopMo() { }
void MainWindow::slotObjectWord_stopMoFinish() { }
void MainWindow::slotHighlightLetter(Word::Word */*word*/) { }
void MainWindow::slotHideLetter(Word::Word */*word*/, int /*position*/) { }
void MainWindow::slotImage() { }
void MainWindow::slotSign() { }
void MainWindow::slotLips() { }
void MainWindow::slotShowNextStep(bool /*jump*/) { }
void MainWindow::slotShowNextStep() { }
void MainWindow::slotLeer1() { }
void MainWindow::slotLeer2() { }
void MainWindow::slotLeer3() { }
void MainWindow::slotLeer4() { }
void MainWindow::slotLeer5() { }
void MainWindow::slotPickLetter(bool /*repeat*/) { }
void MainWindow::slotPickLetter() { }
void MainWindow::slotLetter(bool /*repeat*/) { }
void MainWindow::slotLetter() { }
void MainWindow::slotPresentPickLetter() { }
void MainWindow::slotShowGuessWord() { }
void MainWindow::slotCorrect() { }
void MainWindow::slotWrong() { }
void MainWindow::slotOrientation() { }
void MainWindow::slotPositiveFeedback() { }
void MainWindow::slotNegativeFeedback() { }
void MainWindow::slotNextHighlight() { }
void MainWindow::slotBottomLetter() { }
void MainWindow::slotWord() { }
void MainWindow::slotVideo() { }
void MainWindow::slotHandsSequence() { }
void MainWindow::slotFluSequence() { }
void MainWindow::slotHand() { }
void MainWindow::slotClearWord() { }
void MainWindow::chooseMedia(int /*showOrderIndex*/) { }
void MainWindow::keyReleaseEvent(QKeyEvent *event) { QMainWindow::keyReleaseEvent(event); }
void MainWindow::startStory(int /*story*/, int /*pages*/) { }
QPixmap MainWindow::renderLetterImage(QLabel *, const QString &, const QString &, int, int) { return {}; }
void MainWindow::placeLetter(const QString &, const QString &, int &, int, int) { }
