// A dialog built from a template: modal (DoModal, with a nested message loop run by the front
// end) or modeless (Create, e.g. a property page inside a sheet).
//
// OnInitDialog runs when the window and its controls exist; the default transfers the members
// to the controls. OnOK transfers the controls to the members and, when that succeeds, ends
// the dialog with IDOK; OnCancel ends it with IDCANCEL. WM_COMMAND from IDOK and IDCANCEL
// (the OK and cancel keys, the caption OK button) reach OnOK and OnCancel.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/data_exchange.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/window.h"

class Dialog : public Window {
  public:
    explicit Dialog(int templateId, Window* parent = nullptr);
    ~Dialog() override;

    int TemplateId() const { return templateId_; }
    // The template, or null when the resources have none with the id.
    const DialogTemplate* Template() const;

    // Creates the window, runs the front end's modal loop until EndDialog, destroys the window
    // and returns the result (-1 when the window cannot be created).
    INT_PTR DoModal();
    // Creates the window as a modeless dialog: a child of `parent` when the template has
    // WS_CHILD, else a top-level window owned by it.
    bool Create(Window* parent);
    // Marks the dialog as ending with the result; the modal loop returns. A later call while
    // ending changes nothing. A modeless dialog is not destroyed by it.
    void EndDialog(int result);
    bool IsEnding() const { return ending_; }
    bool IsModal() const { return modal_; }
    INT_PTR Result() const { return result_; }

    // Runs DoDataExchange; saving = controls to members. False when a field was refused (its
    // message shown); the exchange stops at that field.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Sets the check of a button (BST_*) / reads it.
    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    // Checks `checkId` and clears the other radio buttons from first to last.
    void CheckRadioButton(int firstId, int lastId, int checkId);

    ControlKind Kind() const override { return ControlKind::Dialog; }
    // Window-message entry; routes WM_INITDIALOG to OnInitDialog.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

  protected:
    virtual void DoDataExchange(DataExchange& dx);
    bool OnCommand(int id, int code, HWND control) override;
    void OnWindowGone() override;

    // The template's controls become child windows; owned until the dialog's window goes.
    bool CreateFromTemplate(Window* parent);

    // The parent given at construction (or later by the owner).
    Window* owner_ = nullptr;

  private:
    friend class DataExchange;
    // Replaces the native control of `id` by `object` (DataExchange::Control).
    bool BindControl(int id, Window& object);

    int templateId_;
    bool ending_ = false;
    bool modal_ = false;
    INT_PTR result_ = 0;
    std::vector<std::unique_ptr<Window>> ownedControls_;
};
