/* Dotwise skin for the main window: a Qt style sheet.
   Soft blue accents on the button-face background; the window and frame
   colours themselves are set by the program. */

QGroupBox {
    border: 1px solid #9fb3c8;
    border-radius: 5px;
    margin-top: 9px;
    padding-top: 4px;
}

QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 8px;
    padding: 0 4px;
    color: #1a365d;
}

QLineEdit {
    border: 1px solid #8da2b8;
    border-radius: 3px;
    padding: 1px 4px;
    background: #ffffff;
    selection-background-color: #2b6cb0;
    selection-color: #ffffff;
}

QLineEdit:focus {
    border: 1px solid #2b6cb0;
}

QPushButton {
    border: 1px solid #7f96ad;
    border-radius: 4px;
    color: #10243d;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e3ebf3);
}

QPushButton:hover {
    border-color: #2b6cb0;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d4e3f2);
}

QPushButton:pressed {
    background: #c6d8ea;
}

QPushButton:focus {
    border: 2px solid #2b6cb0;
}

/* On a dark or high-contrast scheme (the program sets scheme="dark" on the
   window) the skin's light colours would hide the scheme's light text:
   there every colour comes from the scheme. */

*[scheme="dark"] QGroupBox {
    border-color: palette(light);
}

*[scheme="dark"] QGroupBox::title {
    color: palette(window-text);
}

*[scheme="dark"] QLineEdit {
    border-color: palette(light);
    background: palette(base);
    color: palette(text);
    selection-background-color: palette(highlight);
    selection-color: palette(highlighted-text);
}

*[scheme="dark"] QLineEdit:focus {
    border: 2px solid palette(text);
}

*[scheme="dark"] QPushButton {
    border-color: palette(button-text);
    color: palette(button-text);
    background: palette(button);
}

*[scheme="dark"] QPushButton:hover {
    border-color: palette(highlight);
    background: palette(button);
}

*[scheme="dark"] QPushButton:pressed {
    background: palette(dark);
}

*[scheme="dark"] QPushButton:focus {
    border: 2px solid palette(button-text);
}
