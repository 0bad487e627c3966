#!/usr/bin/env bash
# Starts CUPS with a PDF printer "PDF" as the default printer, which Wine reports as
# "PDF,wineps.drv,CUPS:PDF". Printed jobs land as PDF files in the folder it prints.
set -euo pipefail
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! lpstat -r >/dev/null 2>&1 || lpstat -r 2>&1 | grep -q "not running"; then
  $SUDO mkdir -p /run/cups
  $SUDO cupsd >/dev/null 2>&1 || true
  for i in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || true)
  if [ -n "$ppd" ]; then
    $SUDO lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd"
  else
    $SUDO lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  fi
fi
$SUDO lpadmin -d PDF
$SUDO cupsenable PDF 2>/dev/null || true
$SUDO cupsaccept PDF 2>/dev/null || true
