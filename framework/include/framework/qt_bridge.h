#pragma once
// For tools and tests that look at windows with the toolkit's own means. The program
// never includes this.

class CWnd;
class QWidget;

QWidget* WidgetOf(const CWnd& window);
