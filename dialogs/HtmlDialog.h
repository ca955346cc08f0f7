#pragma once
// The form that writes an HTML page embedding the current applet, with its
// size and optional named parameters.
#include "generators/HtmlGenerator.h"
#include "resources/FormBuilder.h"

#include <QDialog>

class QTreeWidget;

namespace dialogs {

class HtmlDialog : public QDialog {
    Q_OBJECT
public:
    explicit HtmlDialog(QWidget* parent = nullptr);

    // Called once before the dialog is shown; name is both the page's file
    // name (without ".html") and the applet's class.
    void SetPageDefaults(const QString& name, const QString& folder, const QString& title, int width, int height);
    // An applet in a package: its qualified name, and the code base from the
    // page's folder up to the package root.
    void SetAppletClass(const QString& className, const QString& codeBase);

    // The record for the generator, from the values last read and the controls.
    gen::HtmlChoices Choices() const;
    QWidget* Control(int id) const { return m_form.Control(id); }

private:
    void ShowValues();
    // Reads the edits back; false (after telling the user) when the width or
    // the height is not a whole number from 1 to 10000.
    bool ReadValues();
    void OnParamBox();
    void OnAddParam();
    void OnDeleteParam();
    void OnGenerate();
    QTreeWidget* ParamList() const;

    resources::Form m_form;
    QString m_title;
    int m_width = 0;
    int m_height = 0;
    QString m_pageName;
    QString m_folder;
    QString m_appletClass;
    QString m_codeBase;
};

}  // namespace dialogs
